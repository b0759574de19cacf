#pragma once

// The program's string table: hint texts keyed by command id (a popup's hint
// is keyed by the id one below its first item's).

// The string with that id, or null when the table has none.
const char* LoadTableString(int id);
