#pragma once

#include <string>

namespace plat::testing {

// Folder where tests keep what a person may want to look at afterwards (rendered pictures,
// images of failed drawing checks). Created on first use; SKELDA_ARTIFACTS names it, else
// "artifacts" below the working folder.
std::string ArtifactsDir();

// Full path for an artifact file name inside ArtifactsDir().
std::string ArtifactPath(const std::string& fileName);

}  // namespace plat::testing
