#include "label.h"

#include "units.h"

#include "syllables/syllables.h"

#include <QMouseEvent>

#include <algorithm>

namespace ui {

namespace {
// Far more than any label or message box can show.
constexpr qsizetype kMaxDisplayed = 10000;
}

QString displayText(const QString &caption)
{
    QString text = caption.size() > kMaxDisplayed ? caption.left(kMaxDisplayed) + QChar(0x2026) : caption;
    // CR LF, as other programs write it, is one break like a lone CR.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

namespace {

// The caption as rich text: its breaks, its stretches in their colours, every
// blank kept.
QString colouredHtml(const QString &caption, const QList<TextColour> &colours)
{
    const qsizetype end = std::min(caption.size(), kMaxDisplayed);
    QString html = QStringLiteral("<div style=\"white-space:pre-wrap\">");
    auto next = colours.cbegin();
    qsizetype open = -1; // where the open stretch ends
    for (qsizetype i = 0; i < end; ++i) {
        if (open == i) {
            html += QStringLiteral("</span>");
            open = -1;
        }
        while (next != colours.cend() && next->start + next->length <= i)
            ++next;
        if (open < 0 && next != colours.cend() && next->start == i && next->length > 0) {
            html += QStringLiteral("<span style=\"color:%1%2\">")
                        .arg(next->colour.name(), next->struckOut ? QStringLiteral(";text-decoration:line-through") : QString());
            open = next->start + next->length;
        }
        const QChar c = caption.at(i);
        if (c == QChar('\r') && i + 1 < end && caption.at(i + 1) == QChar('\n'))
            continue; // CR LF is one break, at its LF
        html += c == QChar('\r') || c == QChar('\n') ? QStringLiteral("<br>") : QString(c).toHtmlEscaped();
    }
    if (open >= 0)
        html += QStringLiteral("</span>");
    if (caption.size() > end)
        html += QChar(0x2026);
    return html + QStringLiteral("</div>");
}

} // namespace

Label *makeLabel(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *label = new Label(parent);
    label->setObjectName(QLatin1String(name));
    placeTwips(label, left, top, width, height);
    return label;
}

Label::Label(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void Label::setCaption(const QString &caption, const QList<TextColour> &colours)
{
    if (caption == m_caption && colours.size() == m_colours.size()
        && std::equal(colours.cbegin(), colours.cend(), m_colours.cbegin(), [](const TextColour &a, const TextColour &b) {
               return a.start == b.start && a.length == b.length && a.colour == b.colour && a.struckOut == b.struckOut;
           }))
        return;
    m_caption = caption;
    m_colours = colours;
    showCaption();
}

void Label::setReadBySyllables(bool on)
{
    m_bySyllables = on;
    showCaption();
}

void Label::showCaption()
{
    QList<TextColour> colours = m_colours;
    QString text = m_caption;
    if (m_bySyllables && colours.isEmpty() && syllables::patternsReady()) {
        const syllables::SyllableText read = syllables::analyse(m_caption);
        text = read.shown;
        for (const syllables::Syllable &syllable : read.syllables) {
            if (syllable.ofWord > 1 && syllable.index % 2 == 1)
                colours.append({syllable.start, syllable.length, kSecondSyllable});
        }
    }
    setTextFormat(colours.isEmpty() ? Qt::PlainText : Qt::RichText);
    setText(colours.isEmpty() ? displayText(text) : colouredHtml(text, colours));
}

void Label::setBorder(bool singleLine)
{
    setFrameStyle(singleLine ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_click.doubleClicked(event);
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (m_click.isClick(event, this))
        emit clicked();
    else if (event->button() == Qt::RightButton && rect().contains(event->position().toPoint()))
        emit rightClicked();
}

} // namespace ui
