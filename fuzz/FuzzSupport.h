#pragma once
// What every fuzz target shares: a scratch folder of its own, writing the input to a file
// there (the program's readers take file names), and the Qt application the code needs.

#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

enum class App { Core, Widgets };

// Creates the application object, silences Qt's messages, points the configuration folder
// at the scratch folder and makes the scratch folder. Call from LLVMFuzzerInitialize.
void init(int* argc, char*** argv, App app);

// This process's scratch folder (removed at exit), without a final "/".
const QString& workDir();

// Writes the bytes to workDir()/name, replacing what was there; returns the path.
QString writeInput(const std::uint8_t* data, std::size_t size, const QString& name);

// A file name extension chosen by a byte of the input, among the audio formats the tools
// open (wav, mp3, ogg, wma, flac, m4a, aac, mp2).
QString audioExtension(std::uint8_t selector);
// The same for the video containers the extractor opens.
QString videoExtension(std::uint8_t selector);

}  // namespace fuzz
