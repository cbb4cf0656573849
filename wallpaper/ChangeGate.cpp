#include "wallpaper/ChangeGate.h"

namespace {

// Holds the gate shut for the life of one change, also when it throws.
class CShut {
public:
    explicit CShut(bool& changing) : m_bChanging(changing) { m_bChanging = true; }
    ~CShut() { m_bChanging = false; }
    CShut(const CShut&) = delete;
    CShut& operator=(const CShut&) = delete;

private:
    bool& m_bChanging;
};

}  // namespace

bool CChangeGate::Run(const std::function<void()>& change) {
    if (m_bChanging)
        return false;
    CShut shut(m_bChanging);
    change();
    return true;
}
