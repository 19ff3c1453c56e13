// qfp pack / qfp unpack: the compression envelope around a block, from a file or standard input.
#include <string>
#include <vector>

#include "common/envelope_codec.h"
#include "platform/files.h"
#include "tools/qfp_commands.h"

namespace quillon::tools {
namespace {

constexpr std::string_view kPackHelp =
    "usage: qfp pack [-o OUT] [IN]\n"
    "\n"
    "Wraps the bytes of IN (standard input when IN is absent or \"-\") in the compression envelope\n"
    "that the plugins exchange: a 12-byte header (magic, length, CRC-32) and the LZNT1-compressed\n"
    "data. Writes the block to OUT, or to standard output. Empty input is refused, because an\n"
    "envelope of no data is never accepted.\n";

constexpr std::string_view kUnpackHelp =
    "usage: qfp unpack [-o OUT] [IN]\n"
    "\n"
    "Takes the data out of an enveloped block read from IN (standard input when IN is absent or\n"
    "\"-\") and writes it to OUT, or to standard output. A block that is not a sound envelope is\n"
    "rejected with the reason (exit status 1).\n";

// Reads the one optional input operand. False (after reporting) when it cannot be read.
bool ReadInput(const ParsedArguments& parsed, std::string_view command, QfpIo& io, std::string& data) {
  if (parsed.operands.empty() || parsed.operands[0] == "-") {
    if (io.read_input && io.read_input(data)) return true;
    Fail(io, command, "cannot read standard input", kQfpRejected);
    return false;
  }
  const std::string& path = parsed.operands[0];
  if (!platform::FileExists(path)) {
    Fail(io, command, "no such file: " + path, kQfpRejected);
    return false;
  }
  if (!platform::ReadWholeFile(path, data)) {
    Fail(io, command, "cannot read " + path, kQfpRejected);
    return false;
  }
  return true;
}

int WriteOutput(const ParsedArguments& parsed, std::string_view command, QfpIo& io, std::string_view data) {
  if (!parsed.has_output) {
    io.out.append(data);
    return kQfpSuccess;
  }
  if (!platform::WriteWholeFile(parsed.output, data)) {
    return Fail(io, command, "cannot write " + parsed.output, kQfpRejected);
  }
  return kQfpSuccess;
}

// Parses the arguments of pack or unpack. True to go on; false when the command ends here (help
// printed, or a usage error reported), with its status in exit_status.
bool ParseEnvelopeArguments(const std::vector<std::string>& arguments, std::string_view command,
                            std::string_view help, QfpIo& io, ParsedArguments& parsed, int& exit_status) {
  parsed = ParseArguments(arguments, {"-o"});
  if (parsed.help) {
    Print(io.out, help);
    exit_status = kQfpSuccess;
    return false;
  }
  if (parsed.error.empty() && parsed.operands.size() > 1) parsed.error = "give at most one input file";
  if (!parsed.error.empty()) {
    exit_status = Fail(io, command, parsed.error, kQfpUsageError);
    return false;
  }
  return true;
}

}  // namespace

int RunPack(const std::vector<std::string>& arguments, QfpIo& io) {
  ParsedArguments parsed;
  int status = kQfpSuccess;
  if (!ParseEnvelopeArguments(arguments, "pack", kPackHelp, io, parsed, status)) return status;
  std::string data;
  if (!ReadInput(parsed, "pack", io, data)) return kQfpRejected;
  if (data.empty()) return Fail(io, "pack", "the input is empty; an envelope of no data is never accepted", kQfpRejected);
  const std::string block = EnvelopeCodec().Pack(data);
  if (block.empty()) return Fail(io, "pack", "the input is too large for an envelope", kQfpRejected);
  return WriteOutput(parsed, "pack", io, block);
}

int RunUnpack(const std::vector<std::string>& arguments, QfpIo& io) {
  ParsedArguments parsed;
  int status = kQfpSuccess;
  if (!ParseEnvelopeArguments(arguments, "unpack", kUnpackHelp, io, parsed, status)) return status;
  std::string block;
  if (!ReadInput(parsed, "unpack", io, block)) return kQfpRejected;
  EnvelopeCodec::Unpacked unpacked = EnvelopeCodec().UnpackWithStatus(block);
  if (unpacked.status != UnpackStatus::kOk) {
    return Fail(io, "unpack", std::string("block rejected: ") + UnpackStatusName(unpacked.status), kQfpRejected);
  }
  return WriteOutput(parsed, "unpack", io, unpacked.data);
}

}  // namespace quillon::tools
