// The nine drawing roles' colours, with their start-up defaults.
#include "Colours.h"

wxColour BackgroundColour(90, 90, 140, 255);
wxColour NormalPointColour(0, 0, 0, 255);
wxColour NormalLineColour(200, 200, 200, 0);
wxColour SelectedPointColour(255, 128, 0, 255);
wxColour RoutedLineColour(255, 128, 0, 0);
wxColour NestedPointColour(255, 0, 0, 255);
wxColour NestedLineColour(255, 0, 0, 0);
wxColour NormalLabelColour(255, 255, 255, 255);
wxColour VisitedLabelColour(64, 64, 64, 255);

void SetDefaultColours()
{
    NormalPointColour.Set(0, 0, 0, 255);
    NestedPointColour.Set(255, 0, 0, 255);
    SelectedPointColour.Set(255, 128, 0, 255);
    NormalLineColour.Set(200, 200, 200, 0);
    NestedLineColour.Set(255, 0, 0, 0);
    RoutedLineColour.Set(255, 128, 0, 0);
    BackgroundColour.Set(90, 90, 140, 255);
    NormalLabelColour.Set(255, 255, 255, 255);
    VisitedLabelColour.Set(64, 64, 64, 255);
}
