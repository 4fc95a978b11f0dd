// The X connections the 3D engine opens for its devices, so that the host can close them again.
#pragma once

#include <irrlicht.h>

namespace EngineDisplay
{

// The engine's device creation, noting the X connection the new device opened. The engine
// never closes the connection of a device that draws into a window it was given, so every
// device made on the view panel would leave one open for good.
irr::IrrlichtDevice* CreateDevice(const irr::SIrrlichtCreationParameters& params, void** connection);

// Closes a connection from CreateDevice once its device is gone (null: nothing to do).
void CloseConnection(void* connection);

} // namespace EngineDisplay
