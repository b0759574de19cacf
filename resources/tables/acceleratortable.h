#pragma once

// Keyboard accelerator tables: a virtual key and the command it sends.

enum TVirtualKey : int {
    VK_F1 = 0x70,
};

struct TAcceleratorTemplate {
    int VirtualKey;
    int Command;
};

struct TAcceleratorTable {
    const TAcceleratorTemplate* Entries;
    int Count;
};

// Null when no table has that id.
const TAcceleratorTable* FindAcceleratorTable(int id);
