#pragma once

// Keyboard accelerator tables: a virtual key, held with the modifiers of
// its flags, and the command it sends.

enum TVirtualKey : int {
    VK_RETURN = 0x0D,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_I = 0x49,
    VK_L = 0x4C,
    VK_N = 0x4E,
    VK_O = 0x4F,
    VK_Q = 0x51,
    VK_S = 0x53,
    VK_Y = 0x59,
    VK_Z = 0x5A,
    VK_F1 = 0x70,
    VK_OEM_PLUS = 0xBB,
    VK_OEM_MINUS = 0xBD,
};

enum TAcceleratorFlags : unsigned {
    FSHIFT = 0x04,
    FCONTROL = 0x08,
    FALT = 0x10,
};

struct TAcceleratorTemplate {
    int VirtualKey;
    int Command;
    unsigned Flags = 0;
};

struct TAcceleratorTable {
    const TAcceleratorTemplate* Entries;
    int Count;
};

// Null when no table has that id.
const TAcceleratorTable* FindAcceleratorTable(int id);
