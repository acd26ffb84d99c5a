#pragma once
// A label whose caption keeps CR characters as they are and shows each CR
// as a line break, the way the task texts and messages are written.

#include "click.h"

#include <QLabel>
#include <QString>

namespace ui {

// The text to display for a caption: each CR a line break, and no more than
// a screenful of characters, so a runaway text cannot stall the layout.
QString displayText(const QString &caption);

class Label;

// A label named `name`, placed in twips inside `parent`.
Label *makeLabel(QWidget *parent, const char *name, int left, int top, int width, int height);

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    const QString &caption() const { return m_caption; }
    void setBorder(bool singleLine);

signals:
    void clicked();
    void rightClicked(); // released inside the label

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    ClickTracker m_click;
};

} // namespace ui
