#include "platform/controls/forms/IFormRunner.h"

namespace plat {

namespace {

IFormRunner* InstalledRunner = nullptr;

}  // namespace

void SetFormRunner(IFormRunner* Runner)
{
    InstalledRunner = Runner;
}

IFormRunner* GetFormRunner()
{
    return InstalledRunner;
}

}  // namespace plat
