#!/usr/bin/env python3
"""Writes the seed corpus under corpus/: the documented record examples,
the bundled examples, the converter fixtures, the sixteen line-format
presets and the default settings file. Run from anywhere; the files it
writes are committed, so this is only needed to rebuild them."""
import os
import pathlib
import random
import re

here = pathlib.Path(__file__).resolve().parent
root = here.parent.parent
out = here / "corpus"

def write(target, name, data):
    d = out / target
    d.mkdir(parents=True, exist_ok=True)
    (d / name).write_bytes(data)

def presets():
    text = (root / "frontend" / "FormatPreset.cpp").read_text(encoding="utf-8")
    formats = re.findall(r'^\s+"(%08[Xx][^"]*)"\}', text, re.M)
    return [f.encode() for f in formats[:16]]

# --- pipeline: P1 NUL [P2 NUL] input, or 0xFF + generator bytes
examples = {
    "srec_header_data_end": b"S006000041424333\nS107100541424344D9\nS9030000FC\n",
    "srec_fill_and_cross": b"S107100541424344D9\nS10B100C30313233343536373C\n",
    "srec_jump_and_back": b"S107100541424344D9\nS1051030AABB00\nS1051000CCDD00\nS5030003F9\n",
    "srec_24_32_bit": b"S20801000041424344E6\nS30A00010000414243440000\nS70500010000F9\nS8040100007A\n",
    "ihex_address_data_end": b":020000040800F2\n:0410050041424344DD\n:00000001FF\n",
    "ihex_start_segment": b":0400000312345678E5\n",
    "ihex_start_linear": b":0400000508000123CB\n",
    "ihex_segment_then_data": b":020000021000EC\n:0410050041424344DD\n:020000040800F2\n:0410050041424344DD\n",
    "ihex_type_10_and_eof_inside": b":0410051041424344DD\n:00000001FF\n:02FFFE00AABB00\n",
}
for name, data in examples.items():
    write("fuzz_pipeline", name, data)
    write("fuzz_pipeline", name + "_crlf", data.replace(b"\n", b"\r\n"))
for ex in ("blink.mot", "blink.hex"):
    write("fuzz_pipeline", "example_" + ex.replace(".", "_"), (root / "examples" / ex).read_bytes())
fixtures = root / "tests" / "converter" / "fixtures"
for inp in sorted(fixtures.glob("*.input")):
    data = inp.read_bytes()
    prm = inp.with_suffix(".prm")
    if prm.exists():
        data = prm.read_bytes() + b"\0" + data
    elif b"\0" in data:
        continue
    write("fuzz_pipeline", "fixture_" + inp.stem, data)
blink = (root / "examples" / "blink.mot").read_bytes()
blink_hex = (root / "examples" / "blink.hex").read_bytes()
for i, f in enumerate(presets()):
    prm = b"-F=" + f + b"\r\n-f=00\n-G=--- gap ---\n"
    write("fuzz_pipeline", "preset_%02d" % i, prm + b"\0" + (blink if i % 2 == 0 else blink_hex))
write("fuzz_pipeline", "all_keys_two_files",
      b"-F=%08x %02x%02x %-16s\n-f=-1\n-G=\n-S0=<%s>\n-S9=@%X\n-H01=eof %%\n\0"
      b"-H02=seg %04X\n-H03=%04X:%04X\n-H04=lin %04X\n-H05=go %04X\n\0" + blink_hex)
rng = random.Random(9)
for i in range(8):
    write("fuzz_pipeline", "well_formed_%d" % i, b"\xff" + bytes(rng.randrange(256) for _ in range(64 + 48 * i)))

# --- format: argument tokens LF format
line_args = b"u1230 " + b" ".join(b"d%x" % (0x41 + i) for i in range(16)) + b" s10\n"
for i, f in enumerate(presets()):
    write("fuzz_format", "preset_%02d" % i, line_args + f + b"\n")
messages = {
    "header": b"s3\nHeader Information : \"%s\"\n",
    "start": b"u0\nStarting Execution Address : %08X\n",
    "segment": b"u1000\nExtended Segment Address Record : %04X\n",
    "start_segment": b"u1234 u5678\nStart Segment Address Record : %04X %04X\n",
    "negative_filler": b"u0 d-1 d-80 d7F\n%08X : %02X %02x %d %i %u %o %c\n",
    "flags": b"d-2A u2A d7FFFFFFF u-1 s5 s10\n%+d|% 5x|%#o|%#X|%-8.3d|%08.3u|%.0d|%5.2s|%-*d|%c\n",
    "lengths": b"d-1 d-1 d-1 d-1 u-1 u-1 d80\n%hhd %hd %ld %lld %llu %hhx %lc\n",
    "hostile": b"u1 d2 s3\n%n %s %08X %X : %-16s %d %99999999d %.*d %5.3f %% %",
    "wide": b"d1 s1770\n%4096d %.4096x %4096.4096s %4097d\n",
}
for name, data in messages.items():
    write("fuzz_format", name, data)
# record lines for the scanning side, each after a '#'
scans = {
    "scan_s1": b"S1130000202C3A4B5C6D7E8F90A1B2C3D4E5F60718",
    "scan_s3_lower": b"S30d0001ff00deadbeefcafe0123456789",
    "scan_odd": b"S2 8 -1 0x12+3z9 \t0XfF--",
    "scan_ihex": b":10FFF000000102030405060708090A0B0C0D0E0F71",
    "scan_ihex_start": b":0400000312345678E5",
}
for name, data in scans.items():
    write("fuzz_format", name, b"#" + data)

# --- settings: the default file and a few damaged or unusual ones
default = (root / "tests" / "settings" / "default.dat").read_bytes()
write("fuzz_settings", "default", default)
write("fuzz_settings", "cut_inside_item", default[:200])
write("fuzz_settings", "extra_bytes", default + b"tail")
write("fuzz_settings", "long_prefix_16", b"\xff\x03\x00abc" + default[1:])
write("fuzz_settings", "long_prefix_32", b"\xff\xff\xff\x03\x00\x00\x00abc" + default[1:])
write("fuzz_settings", "wide_mark", b"\xff\xfe\xff\x03abc" + default[1:])
write("fuzz_settings", "huge_length", b"\xff\xff\xff\xff\xff\xff\x7f" + default[1:])
write("fuzz_settings", "text_255", b"\xff\xff\x00" + b"p" * 255 + default[1:])
