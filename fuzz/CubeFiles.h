#pragma once

// What the two cube-file harnesses share: opening a file as the program does and reading
// every cell, with a short answer limit so that a looping cube costs a fuzzer second.

#include <QString>

namespace fuzz {

// Prepares the provider's registration and the answer limit; once per process.
void prepareCubeReading();

// Opens the file through a connection string, reads every hierarchy's lowest level and
// every measure; a refusal must be the provider's error and name the file.
void openAndReadAll(const QString& path);

}
