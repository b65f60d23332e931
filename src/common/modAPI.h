#pragma once

#include <QString>
#include <cstdint>

class QWidget;

// Task-bar entries, web pages, the default browser and registry keys.
namespace modAPI {

constexpr long HKEY_CLASSES_ROOT = static_cast<std::int32_t>(0x80000000);
constexpr long HKEY_CURRENT_USER = static_cast<std::int32_t>(0x80000001);

// Every top-level window has its own task-bar entry already; this brings a window to
// the front when it is visible (and the one titled title, if given).
void subEnsureVisibleTaskBar(QWidget* window, const QString& title);
// Opens a web address with the desktop's opener, or, with throughBrowser, by starting the
// default browser's program with the address. Nothing is reported when it cannot open.
void subOpenUrl(const QString& address, bool throughBrowser);
// The default browser's program ("" when none is registered); kept once found.
QString GetBrowser();
// The program part of a browser's open command.
QString reduceBrowserCommand(const QString& command);
bool regDoes_Key_Exist(long root, const QString& path);

}
