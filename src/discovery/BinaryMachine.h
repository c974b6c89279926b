#pragma once

#include <QtGlobal>

// The processor an ELF or PE image is built for, as its header says it.
enum class BinaryMachine : quint8 { unknown, i386, x86_64, arm, aarch64, riscv64, powerpc, powerpc64 };
