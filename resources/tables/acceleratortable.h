#pragma once

// Keyboard accelerator tables: a virtual key and the command it sends.

enum TVirtualKey : int {
    VK_I = 0x49,
    VK_F1 = 0x70,
};

// Keys held with the virtual key.
enum TAcceleratorFlags : int {
    FCONTROL = 0x08,
};

struct TAcceleratorTemplate {
    int VirtualKey;
    int Command;
    int Flags = 0;
};

struct TAcceleratorTable {
    const TAcceleratorTemplate* Entries;
    int Count;
};

// Null when no table has that id.
const TAcceleratorTable* FindAcceleratorTable(int id);
