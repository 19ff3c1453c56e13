// Control interface of the stand-in launcher host library LIB-hostcli.
//
// Tests and the demo load the same library the plugin binds (by the same name, so they share
// one instance) and use these exports to set the host's answers and read its call log.
// Every host function call is logged with its name and its arguments as texts (integers in
// decimal); a block handed to launcher_function_sendsocketdata is kept byte for byte.
// Pointers returned stay valid until the next hostcli_control_reset.
#pragma once

#include <cstdint>

#include "platform/abi.h"

extern "C" {

using HostcliRoutine = void (*)(void);

// Forgets the call log, the queued routines and every answer.
QUILLON_EXPORT void QUILLON_STDCALL hostcli_control_reset(void);
// Number of logged calls.
QUILLON_EXPORT int32_t QUILLON_STDCALL hostcli_control_call_count(void);
// Function name of call index, or "" when out of range.
QUILLON_EXPORT const char* QUILLON_STDCALL hostcli_control_call_name(int32_t index);
// Argument arg of call index as text, or "" when out of range.
QUILLON_EXPORT const char* QUILLON_STDCALL hostcli_control_call_arg(int32_t index, int32_t arg);
// Block of a launcher_function_sendsocketdata call; its length goes to *length.
QUILLON_EXPORT const uint8_t* QUILLON_STDCALL hostcli_control_call_block(int32_t index, int32_t* length);
// Answers of launcher_function_getgamezones, launcher_function_getminesataus (nullptr: the host
// returns a null pointer) and launcher_function_timestamp.
QUILLON_EXPORT void QUILLON_STDCALL hostcli_control_set_gamezones(const char* json);
QUILLON_EXPORT void QUILLON_STDCALL hostcli_control_set_minestatus(const char* json);
QUILLON_EXPORT void QUILLON_STDCALL hostcli_control_set_timestamp(int64_t value);
// When set (the default), routines handed over are run at once on the calling thread;
// otherwise they wait for hostcli_control_run_queued_routines, which returns how many ran.
QUILLON_EXPORT void QUILLON_STDCALL hostcli_control_set_run_routines_at_once(int32_t at_once);
QUILLON_EXPORT int32_t QUILLON_STDCALL hostcli_control_run_queued_routines(void);

}  // extern "C"
