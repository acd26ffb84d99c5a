#pragma once
// Modal message boxes with German buttons whatever the system language.
// Tests install a hook that answers instead of the user and sees exactly
// what would have been shown.

#include "ui/message.h"

#include <QString>

#include <functional>

class QWidget;

namespace ui {

// Shows the box and returns the button pressed. Closing the box without a
// button counts as No for a question and as OK otherwise.
Answer showMessage(const Message &message, QWidget *parent = nullptr);

// Convenience forms for the two kinds the program uses.
Answer inform(const QString &text, const QString &title, QWidget *parent = nullptr);
Answer askStop(const QString &text, const QString &title, QWidget *parent = nullptr);

// How many boxes have come up so far, answered by a hook or not.
int messagesShown();

using MessageHook = std::function<Answer(const Message &)>;
// While a hook is set, boxes are not shown; the hook answers them.
void setMessageHook(MessageHook hook);

} // namespace ui
