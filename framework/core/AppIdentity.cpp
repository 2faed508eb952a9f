#include "core/AppIdentity.h"

#include "core/CommandLine.h"

namespace fw {

namespace {

AppIdentity& Stored()
{
    static AppIdentity identity;
    return identity;
}

void FillGaps(AppIdentity& identity)
{
    if (identity.name.empty())
        identity.name = ExeName(ProgramFilePath(""));
    if (identity.configFolder.empty())
        identity.configFolder = identity.name;
    if (identity.helpFile.empty())
        identity.helpFile = identity.name + ".html";
}

}  // namespace

void SetAppIdentity(AppIdentity identity)
{
    FillGaps(identity);
    Stored() = std::move(identity);
}

const AppIdentity& TheAppIdentity()
{
    AppIdentity& identity = Stored();
    if (identity.name.empty())
        FillGaps(identity);
    return identity;
}

}  // namespace fw
