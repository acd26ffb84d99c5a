#pragma once
// Choosing a folder, with German texts; tests answer through a hook.

#include <QString>

#include <functional>

class QWidget;

namespace ui {

// The folder the user picked, or an empty string when the dialog was cancelled.
QString chooseFolder(const QString &title, const QString &startFolder, QWidget *parent = nullptr);

using FolderHook = std::function<QString(const QString &startFolder)>;
void setFolderHook(FolderHook hook);

} // namespace ui
