// Reading a monitor's EDID block from the registry.
#pragma once
#include <windows.h>

// Reads the "EDID" value of the monitor named by `deviceId` (as display-device enumeration
// returns it, MONITOR\<hardware id>\<class>\<index>) into `buffer`, which has `size` bytes.
// Succeeds only for a REG_BINARY value of at least a base block (128 bytes) and at most `size`
// bytes; returns nonzero on success.
int GetEDIDFromRegistry(unsigned char* buffer, unsigned long size, const wchar_t* deviceId);
