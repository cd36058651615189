#pragma once
// Only one copy of the editor runs at a time: a lock file named "Lorewright" in the user's runtime
// folder, held for the whole run. A lock left by a copy that died is taken over.

#include <QLockFile>
#include <memory>

namespace lw {

class SingleInstance {
public:
    SingleInstance();
    // False when another copy holds the lock.
    bool Acquire();
    void Release();

private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace lw
