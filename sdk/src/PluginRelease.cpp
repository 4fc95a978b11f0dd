// Giving back a plug-in object's storage at shutdown without running any plug-in code.
#include "weavekit/Plugin.h"

#include <new>

#include <wx/frame.h>

void ReleasePlugin(IPlugin* plugin)
{
    if (!plugin)
        return;
    // A plug-in class's frame base is the toolkit's, not the plug-in's: destroying just that
    // base (a qualified call, so no virtual dispatch reaches plug-in code) returns what the
    // toolkit allocated for it. The frame was never created, so there is no window to close.
    if (wxFrame* frame = dynamic_cast<wxFrame*>(plugin))
        frame->wxFrame::~wxFrame();
    // The object's address is its IPlugin address (IPlugin is the first base), so this frees
    // exactly the storage CreatePlugin allocated.
    ::operator delete(static_cast<void*>(plugin));
}
