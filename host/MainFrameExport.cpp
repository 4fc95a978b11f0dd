// Saving the view as a picture and the whole animation as a page with one picture per step.
#include "MainFrame.h"

// Placeholder until the exports land.
void MainFrame::OnSaveBitmap(wxCommandEvent&) {}
void MainFrame::OnSaveAnimation(wxCommandEvent&) {}
