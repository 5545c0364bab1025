#pragma once

#include <string>

class QImage;

namespace plat::testing {

// Keeps the picture of a drawing test for a person to look at: when a check of the running
// test fails while the guard lives, the image is written as "<suite>.<test>[-<label>].png" into
// the artifacts folder and its path printed. The image must outlive the guard.
class SaveImageOnFailure {
public:
    explicit SaveImageOnFailure(const QImage& image, std::string label = {});
    ~SaveImageOnFailure();
    SaveImageOnFailure(const SaveImageOnFailure&) = delete;
    SaveImageOnFailure& operator=(const SaveImageOnFailure&) = delete;

private:
    const QImage& FImage;
    std::string FLabel;
    int FFailuresBefore;
};

}  // namespace plat::testing
