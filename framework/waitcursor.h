#pragma once

// Shows the system's wait cursor for as long as the object lives, then puts
// back the cursor it replaced.
class TWaitCursor {
public:
    TWaitCursor();
    ~TWaitCursor();
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};
