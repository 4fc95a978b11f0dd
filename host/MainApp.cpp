// The application object: creates and shows the main window.
#include "MainApp.h"

#include "MainFrame.h"

bool MainApp::OnInit()
{
    MainFrame* frame = new MainFrame(nullptr);
    SetTopWindow(frame);
    frame->Show(true);
    return true;
}

wxIMPLEMENT_APP(MainApp);
