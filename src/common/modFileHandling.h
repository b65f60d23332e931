#pragma once

#include "common/CommonState.h"
#include "platform/FileSystemObject.h"

#include <QString>
#include <memory>

// The program's file-system object and the file operations several windows share.
namespace modFileHandling {

inline std::unique_ptr<platform::FileSystemObject>& gobjFSO = common::commonState.gobjFSO;

void subSetupFS();
void subRegisterScrrun();
void subFixDamagedComCtl32();
// The user's private temporary folder.
QString fncGetTempPath();
QString fncClearEndSlash(const QString& path);

// Writes text as UTF-16LE without a byte-order mark (double quotes left out of the file)
// and returns the path written. With blnTemp, or without a file name, the file goes to
// the temporary folder (a made-up "*.ndf" name when none is given). A write that fails is
// reported through the error call, never returned as written. The caller's text is not
// changed.
QString fncSaveTextFile(const QString& file, const QString& text, bool blnTemp);

// Prints a file from inside the program.
void subPrintFile(const QString& path);
// An empty verb opens the file with the desktop's default program; "Print" prints it.
void subFolderItemInvokeVerbVB(const QString& vFolder, const QString& vFile, const QString& strVerb);

}
