#include "label.h"

#include "units.h"

#include <QMouseEvent>

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

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    setText(displayText(caption));
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
