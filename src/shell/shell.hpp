#pragma once
// Everything the window does, for the front ends that show it.

#include "shell/colour_panes.hpp"
#include "shell/commands.hpp"
#include "shell/data_files.hpp"
#include "shell/frame_step.hpp"
#include "shell/guarded_call.hpp"
#include "shell/main_form.hpp"
#include "shell/menu_model.hpp"
#include "shell/model_opening.hpp"
#include "shell/shell_state.hpp"
#include "shell/solid_menu_commands.hpp"
#include "shell/start_up.hpp"
#include "shell/view_interaction.hpp"
