// Finds the native window behind a toolkit window, for the 3D engine to draw into.
#include "NativeView.h"

#include <cstdint>

#include <wx/window.h>

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

void* NativeViewHandle(wxWindow* window)
{
    GtkWidget* widget = static_cast<GtkWidget*>(window->GetHandle());
    if (!widget)
        return nullptr;
    // GTK 3 draws child widgets into their top-level window unless asked for a window of their
    // own; the engine needs a real X window that it can put its pictures into.
    gtk_widget_realize(widget);
    GdkWindow* drawing = window->GTKGetDrawingWindow();
    if (!drawing)
        drawing = gtk_widget_get_window(widget);
    if (!drawing || !GDK_IS_X11_WINDOW(drawing) || !gdk_window_ensure_native(drawing))
        return nullptr;
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(gdk_x11_window_get_xid(drawing)));
}
