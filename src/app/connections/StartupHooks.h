#pragma once

#include <QWidget>
#include <functional>

// Steps of start-up and of opening a report whose procedures live in other modules: the
// language, the cube discovery and the pivot binding. The program context installs them;
// tests replace them to run start-up or a report's opening on its own.
namespace connections {

struct Hooks
{
    std::function<void(int language)> loadLanguages;           // modMultiLingual::LoadLanguages
    std::function<int()> getLocalLanguage;                     // modGenericLanguages::fncGetlocalLanguage
    std::function<void()> getCubeFileNames;                    // subGetCubeFileNames
    std::function<void()> getServerName;                       // subGetServerName
    std::function<void()> getServerCubes;                      // subGetServerCubes
    std::function<void(QWidget* pivReports)> bindPivotTable;   // subBindPivotTable
};

// The steps installed; none until the program context is.
Hooks& hooks();
Hooks defaultHooks();

}
