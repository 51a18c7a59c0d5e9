#pragma once

// The kinds of file that the body is imported from and exported to.
enum class BodyFileKind { Text, RTF, RTFD };
