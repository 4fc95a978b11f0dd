// The "Colours" menu: editing one drawing role's colour, or all back to their defaults.
#include "MainFrame.h"

#include "Colours.h"
#include "Dialogs.h"

void MainFrame::EditColour(wxColour& colour)
{
    Dialogs::AskColour(this, &colour);
    RebuildScene();
}

void MainFrame::OnBackgroundColour(wxCommandEvent&) { EditColour(BackgroundColour); }
void MainFrame::OnNormalPointsColour(wxCommandEvent&) { EditColour(NormalPointColour); }
void MainFrame::OnNormalLinesColour(wxCommandEvent&) { EditColour(NormalLineColour); }
void MainFrame::OnSelectedPointsColour(wxCommandEvent&) { EditColour(SelectedPointColour); }
void MainFrame::OnRoutedLinesColour(wxCommandEvent&) { EditColour(RoutedLineColour); }
void MainFrame::OnNestedPointsColour(wxCommandEvent&) { EditColour(NestedPointColour); }
void MainFrame::OnNestedLinesColour(wxCommandEvent&) { EditColour(NestedLineColour); }
void MainFrame::OnNormalLabelsColour(wxCommandEvent&) { EditColour(NormalLabelColour); }
void MainFrame::OnVisitedLabelsColour(wxCommandEvent&) { EditColour(VisitedLabelColour); }

void MainFrame::OnDefaultColours(wxCommandEvent&)
{
    SetDefaultColours();
    RebuildScene();
}
