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

// The second colour of reading by syllables: a dark red that reads well on
// the answers' light blue beside their blue, also for eyes weak for red and
// green, which tell it from blue by its lightness and hue.
inline const QColor kSecondSyllable{160, 0, 0};

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    // The caption, with stretches of it in colours of their own (in order,
    // not overlapping); the rest in the label's text colour.
    void setCaption(const QString &caption, const QList<TextColour> &colours = {});
    // Shows each word's syllables in two alternating colours, the first in
    // the label's text colour (a text given colours of its own stays as it
    // is). Until the syllable patterns are loaded the text shows plain;
    // calling this again afterwards colours it.
    void setReadBySyllables(bool on);
    const QString &caption() const { return m_caption; }
    void setBorder(bool singleLine);

signals:
    void clicked();
    void rightClicked(); // released inside the label

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showCaption();

    QString m_caption;
    QList<TextColour> m_colours;
    bool m_bySyllables = false;
    ClickTracker m_click;
};

} // namespace ui
