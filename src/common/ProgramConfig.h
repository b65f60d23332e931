#pragma once

#include <QString>

// Addresses the maker configures for this build.
namespace config {

inline QString supportAddress()
{
    return QStringLiteral("support@zelbrin.example");
}

inline QString commonControlsDownloadPage()
{
    return QStringLiteral("https://zelbrin.example/download/common-controls");
}

inline QString webComponentsDownloadPage()
{
    return QStringLiteral("https://zelbrin.example/download/web-components");
}

// The maker's home page (the report window's web link) and this product's page on it.
inline QString makerHomePage()
{
    return QStringLiteral("https://www.zelbrin.example/");
}

inline QString productPage()
{
    return QStringLiteral("https://www.zelbrin.example/tessaline/");
}

}
