#include "inputbox.h"

#include <QInputDialog>

namespace ui {

namespace {
InputHook &hook()
{
    static InputHook h;
    return h;
}
} // namespace

void setInputHook(InputHook h)
{
    hook() = std::move(h);
}

std::optional<QString> askText(const QString &label, const QString &title, QWidget *parent)
{
    if (hook())
        return hook()(label);
    QInputDialog box(parent);
    box.setWindowTitle(title);
    box.setLabelText(label);
    box.setInputMode(QInputDialog::TextInput);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

} // namespace ui
