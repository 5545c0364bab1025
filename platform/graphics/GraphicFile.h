#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Whole-file reads and writes of the picture classes.
namespace plat::GraphicFile {

// Raises EFOpenError when the file cannot be read.
std::vector<std::uint8_t> Read(const std::string& fileName);
// Raises EFCreateError when the file cannot be written completely.
void Write(const std::string& fileName, std::span<const std::uint8_t> data);

// The extension in lower case without its dot ("jpg" for "Map.JPG"); empty when there is none.
std::string LowerExtension(const std::string& fileName);

}  // namespace plat::GraphicFile
