#pragma once
// A label whose caption keeps CR characters as they are and shows each CR
// as a line break, the way the task texts and messages are written.

#include "click.h"

#include <QColor>
#include <QLabel>
#include <QList>
#include <QString>

namespace ui {

// The text to display for a caption: each CR a line break, and no more than
// a screenful of characters, so a runaway text cannot stall the layout.
QString displayText(const QString &caption);

// A stretch of a caption in a colour of its own, and perhaps struck out.
struct TextColour {
    qsizetype start = 0;
    qsizetype length = 0;
    QColor colour;
    bool struckOut = false;
};

class Label;

// A label named `name`, placed in twips inside `parent`.
Label *makeLabel(QWidget *parent, const char *name, int left, int top, int width, int height);

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    // The caption, with stretches of it in colours of their own (in order,
    // not overlapping); the rest in the label's text colour.
    void setCaption(const QString &caption, const QList<TextColour> &colours = {});
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
    QList<TextColour> m_colours;
    ClickTracker m_click;
};

} // namespace ui
