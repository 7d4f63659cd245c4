#pragma once

// Shows the wait cursor for the life of the scope, however the scope is left. Without a GUI
// application (tools, some tests) there is no cursor and nothing happens.
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_active = false;
};
