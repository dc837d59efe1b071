#pragma once

// Who plays, settled at Start before anything of the game is set up; false
// when the child chose not to play now.
class PlayerSource
{
public:
    virtual ~PlayerSource() = default;
    virtual bool settlePlayer() = 0;
};
