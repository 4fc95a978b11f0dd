// The application object: creates and shows the main window.
#pragma once

#include <wx/app.h>

class MainApp : public wxApp
{
public:
    bool OnInit() override;
};
