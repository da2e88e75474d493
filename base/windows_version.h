#pragma once

// True when the running Windows is version 6.`minor` or later (6.0 Vista, 6.2 Windows 8).
bool IsWindowsVersionAtLeast(unsigned minor);
