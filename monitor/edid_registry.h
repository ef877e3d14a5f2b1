// Reading a monitor's whole EDID from the registry.
#pragma once
#include <windows.h>

// Reads all of the "EDID" value of the monitor named by `deviceId` (as display-device enumeration
// returns it, MONITOR\<hardware id>\<class>\<index>): the base block and every extension block.
// Succeeds only for a REG_BINARY value of at least a base block (128 bytes) and at most
// kEdidLargestSize bytes. Returns a malloc'd copy the caller frees, with its size in `length`;
// returns nullptr on failure and leaves `length` alone.
unsigned char* GetEDIDFromRegistry(const wchar_t* deviceId, unsigned long* length);
