// Timings of the whole program: start-up to the first frame, and a resize with its new device.
#include "AppTimings.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include <wx/app.h>
#include <wx/init.h>
#include <wx/menu.h>
#include <wx/panel.h>

#include "Clock.h"
#include "MainFrame.h"

namespace
{

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class BenchApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};

void Pump()
{
    wxTheApp->ProcessPendingEvents();
    wxYield();
    wxTheApp->ProcessIdle();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

AppTimings MeasureApp(int argc, char** argv)
{
    AppTimings timings;
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return timings;

    std::vector<double> startups;
    std::vector<double> resizes;
    for (int round = 0; round < 5; ++round)
    {
        timer::ResetValues();
        const Clock::time_point start = Clock::now();
        MainFrame* frame = new MainFrame(nullptr);
        frame->Show();
        // The first frame is drawn by the view panel's first paint.
        for (int spin = 0; spin < 2000 && !frame->CaptureView().IsOk(); ++spin)
            Pump();
        if (frame->CaptureView().IsOk())
            startups.push_back(Since(start));

        // Choose the largest torus, the heaviest picture, then resize back and forth.
        if (frame->GetPluginCount() > 0)
        {
            for (int id = 1; id <= static_cast<int>(frame->GetPluginCount()); ++id)
            {
                if (frame->GetPluginsMenu()->FindItem(id)->GetItemLabelText() == "Torus")
                {
                    wxCommandEvent pick(wxEVT_MENU, id);
                    frame->GetEventHandler()->ProcessEvent(pick);
                }
            }
        }
        for (int i = 0; i < 4; ++i)
        {
            const Clock::time_point resize = Clock::now();
            frame->SetSize(i % 2 ? wxSize(1000, 660) : wxSize(1100, 700));
            frame->GetViewPanel()->Update();
            Pump();
            resizes.push_back(Since(resize));
        }
        frame->Close(true);
        Pump();
    }
    if (!startups.empty())
        timings.startupMs = Median(startups);
    if (!resizes.empty())
        timings.resizeMs = Median(resizes);
    wxEntryCleanup();
    return timings;
}
