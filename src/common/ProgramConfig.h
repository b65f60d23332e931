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

inline QString olapProviderDownloadPage()
{
    return QStringLiteral("https://zelbrin.example/download/olap-provider");
}

// What the server dialog's two warnings offer: the parser and the provider of the server.
inline QString serverComponentsDownloadPage()
{
    return QStringLiteral("https://zelbrin.example/download/analysis-server-components");
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
