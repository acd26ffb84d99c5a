#pragma once
// A modal box asking for one line of text, with German buttons whatever the
// system language. Tests install a hook that answers instead of the user.

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace ui {

// The text typed, or nothing when the box was cancelled.
std::optional<QString> askText(const QString &label, const QString &title, QWidget *parent = nullptr);

// While a hook is set, no box is shown; the hook gets the label and answers.
using InputHook = std::function<std::optional<QString>(const QString &label)>;
void setInputHook(InputHook hook);

} // namespace ui
