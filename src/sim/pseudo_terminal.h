#pragma once
// The virtual radio's end of the cable: a pseudo-terminal whose other side the program opens
// as its serial port.

#include <string>

namespace dpmr::sim {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // false with a reason when no pseudo-terminal can be had.
    bool Create(std::string &error);
    int Master() const { return master_; }
    const std::string &SlavePath() const { return slavePath_; }
    // Pulls the cable: the program's side sees a hang-up.
    void HangUp();
    // Lets others open the terminal again after a program that took it exclusively ended
    // without giving it back (it was killed, say); our held side keeps that flag alive.
    void ClearExclusive();

private:
    int master_ = -1;
    // Kept open so that the program closing its side between exchanges does not hang up ours.
    int heldSlave_ = -1;
    std::string slavePath_;
};

} // namespace dpmr::sim
