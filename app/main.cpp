#include "app/Identity.h"
#include "app/MainApp.h"
#include "res/Resources.h"

namespace {
CMainApp theApp;
}

int main(int argc, char** argv)
{
    fw::SetAppIdentity(ProgramIdentity());
    fw::SetResources(&ProgramResources());
    return fw::AfxWinMain(theApp, argc, argv);
}
