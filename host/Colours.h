// The nine drawing roles' colours, with their start-up defaults.
#pragma once

#include <wx/colour.h>

extern wxColour BackgroundColour;
extern wxColour NormalPointColour;
extern wxColour NormalLineColour;
extern wxColour SelectedPointColour;
extern wxColour RoutedLineColour;
extern wxColour NestedPointColour;
extern wxColour NestedLineColour;
extern wxColour NormalLabelColour;
extern wxColour VisitedLabelColour;

// Every role back to its start-up value, alpha included.
void SetDefaultColours();
