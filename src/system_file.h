// The operating system's file calls as the text streams and the console use them. Bytes pass
// unchanged on every platform: the streams translate line ends themselves, so Windows must not
// add its own translation on top. Used by TextInput, RecordWriter and the console.
#pragma once

#include <cstddef>

namespace polydump {

/// Opens an existing file for reading; its descriptor, or -1 when it cannot be opened.
int open_for_reading(const char* path);
/// Creates a file for writing, or empties an existing one; its descriptor, or -1.
int create_for_writing(const char* path);
/// Makes an already open descriptor, such as standard input, pass its bytes unchanged.
void use_binary_mode(int fd);
/// Makes a write that the system refuses, to a pipe that nobody reads or past the file size
/// limit, fail with an error instead of ending the process.
void survive_refused_writes();
/// Reads at most size bytes: the count read, 0 at the end, -1 on an error (errno tells which).
long read_some(int fd, char* data, std::size_t size);
/// Writes all size bytes; 0 when they were written, else the errno of the failure.
int write_all(int fd, const char* data, std::size_t size);
/// Closes the descriptor; 0, or the errno of a failed close.
int close_file(int fd);

}  // namespace polydump
