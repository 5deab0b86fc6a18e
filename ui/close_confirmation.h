#pragma once

// Asks before the main window closes with paths still pending; true when it may close.
bool confirmClose();
