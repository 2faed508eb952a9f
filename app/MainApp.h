// The application object: one copy of the program at a time, no arguments,
// and the countdown window run until it closes.
#pragma once

#include "gui/App.h"

class CMainApp : public fw::CWinApp {
public:
    bool InitInstance() override;
};
