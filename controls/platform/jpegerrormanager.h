#pragma once

// How the program's libjpeg code takes libjpeg's errors (header only, so that
// the drop code, which has no widgets, uses it too). libjpeg reports a fatal
// error through error_exit, which must not return: the manager keeps
// libjpeg's message and jumps back to the caller's setjmp, which then
// destroys the libjpeg object and fails its own way. Warnings (a damaged but
// readable file) are dropped.
//
//     JpegErrorManager errors;
//     info.err = errors.Attach();
//     if (setjmp(errors.jump)) { jpeg_destroy_...(&info); fail; }
//
// Only plain data may live across the setjmp: the jump skips destructors.

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs size_t and FILE declared before it

#include <jpeglib.h>

struct JpegErrorManager {
    jpeg_error_mgr base;  // first, so that libjpeg's pointer to it is one to the manager
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];

    jpeg_error_mgr* Attach() {
        jpeg_std_error(&base);
        base.error_exit = &JpegErrorManager::Fail;
        base.emit_message = &JpegErrorManager::Warn;
        message[0] = '\0';
        return &base;
    }

private:
    [[noreturn]] static void Fail(j_common_ptr info) {
        auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
        (*info->err->format_message)(info, manager->message);
        std::longjmp(manager->jump, 1);
    }
    static void Warn(j_common_ptr, int) {}
};
