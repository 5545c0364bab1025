#include "platform/testing/SaveImageOnFailure.h"

#include "platform/testing/Artifacts.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iostream>

namespace plat::testing {

namespace {

int FailuresSoFar()
{
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    if (!info)
        return 0;
    const ::testing::TestResult& result = *info->result();
    int failures = 0;
    for (int i = 0; i < result.total_part_count(); ++i)
        if (result.GetTestPartResult(i).failed())
            ++failures;
    return failures;
}

}  // namespace

SaveImageOnFailure::SaveImageOnFailure(const QImage& image, std::string label)
    : FImage(image), FLabel(std::move(label)), FFailuresBefore(FailuresSoFar())
{
}

SaveImageOnFailure::~SaveImageOnFailure()
{
    if (FailuresSoFar() == FFailuresBefore)
        return;
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "drawing";
    if (!FLabel.empty())
        name += "-" + FLabel;
    // Parameterised tests carry slashes in their names.
    std::replace_if(name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c) && c != '.' && c != '-' && c != '_'; }, '_');
    const std::string path = ArtifactPath(name + ".png");
    if (FImage.save(QString::fromStdString(path), "PNG"))
        std::cerr << "Image of the failed drawing: " << path << '\n';
    else
        std::cerr << "Could not write the image of the failed drawing to " << path << '\n';
}

}  // namespace plat::testing
