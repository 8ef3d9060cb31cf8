#include "shell/shell_state.hpp"

namespace orrin {

ShellState& Shell() {
    static ShellState state;
    return state;
}

}  // namespace orrin
