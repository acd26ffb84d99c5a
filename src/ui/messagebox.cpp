#include "messagebox.h"

#include "label.h"

#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {
MessageHook &hook()
{
    static MessageHook h;
    return h;
}
int g_shown = 0;
} // namespace

int messagesShown()
{
    return g_shown;
}

void setMessageHook(MessageHook h)
{
    hook() = std::move(h);
}

Answer showMessage(const Message &message, QWidget *parent)
{
    ++g_shown;
    if (hook())
        return hook()(message);

    QMessageBox box(parent);
    box.setWindowTitle(message.title);
    box.setTextFormat(Qt::PlainText);
    // A trailing line break would be dropped by the layout; a blank keeps the empty line.
    QString text = displayText(message.text);
    if (text.endsWith(QChar('\n')))
        text += QChar(' ');
    box.setText(text);
    box.setIcon(message.icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon);
    QPushButton *ok = nullptr;
    QPushButton *yes = nullptr;
    QPushButton *no = nullptr;
    if (message.buttons == Buttons::YesNo) {
        yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setDefaultButton(message.defaultButton == Answer::Yes ? yes : no);
        box.setEscapeButton(no);
    } else {
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (message.buttons == Buttons::Ok)
        return Answer::Ok;
    return clicked == yes ? Answer::Yes : Answer::No;
}

Answer inform(const QString &text, const QString &title, QWidget *parent)
{
    return showMessage({text, title, Buttons::Ok, Icon::None, Answer::Ok}, parent);
}

Answer askStop(const QString &text, const QString &title, QWidget *parent)
{
    return showMessage({text, title, Buttons::YesNo, Icon::Stop, Answer::No}, parent);
}

} // namespace ui
