#pragma once
// A picture box: shows a picture at its own size from the top left corner,
// cut off at the box's edges, on the box's background colour. It also serves
// as a container (panels) and as a toolbar button (icon plus click).

#include "click.h"
#include "picturefile.h"

#include <QIcon>
#include <QImage>
#include <QWidget>

namespace ui {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Loads the file a stored picture name means, looked up in `folder`. An
    // empty name clears the box. On failure the old picture stays and the
    // reason goes to `error`.
    bool loadPicture(const QString &storedName, const QDir &folder, QString *error = nullptr);
    void setPicture(const Picture &picture);
    void clearPicture();
    const Picture &picture() const { return m_picture; }

    // A toolbar icon, drawn 32 x 32 at the top left, sharp at the screen's pixel ratio.
    void setIcon(const QIcon &icon);
    // A picture larger than the box is shown scaled down to fit it, whole,
    // rather than cut off; smaller ones stay at their own size.
    void setShrinkToFit(bool shrink);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ClickTracker m_click;
    Picture m_picture;
    QIcon m_icon;
    bool m_shrinkToFit = false;
    // The picture as shown, played once: repaints only copy it.
    QImage m_shown;
    QSize m_shownSize;
    QColor m_shownBackground;
};

} // namespace ui
