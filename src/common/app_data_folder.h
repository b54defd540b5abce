#pragma once

#include <QString>

// The per-user folder below which the program keeps its files ("~/.local/share/TovrelUI" on
// most systems). Empty when the platform cannot tell; it is not created here.
QString AppDataFolder();
