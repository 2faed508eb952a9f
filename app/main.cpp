#include "app/MainApp.h"
#include "res/Resources.h"

namespace {
CMainApp theApp;
}

int main(int argc, char** argv)
{
    fw::SetResources(&ProgramResources());
    return fw::AfxWinMain(theApp, argc, argv);
}
