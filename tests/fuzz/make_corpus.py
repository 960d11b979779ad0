"""Writes seed inputs for the receive-path fuzzer: valid answer frames in one or more pieces."""
import os
import sys


def answer(records: bytes) -> bytes:
    frame = bytes.fromhex("DCBA01000000") + records
    x = 0
    for b in frame:
        x ^= b
    return frame + bytes([x or 1]) + b"\r\n"


def pieces(data: bytes, size: int) -> bytes:
    out = b""
    for i in range(0, len(data), size):
        chunk = data[i:i + size]
        out += bytes([len(chunk) - 1]) + chunk
    return out


seeds = [
    answer(bytes.fromhex("00010000000B0002000103000300000001000400000002")),
    answer(bytes.fromhex("000602" "0001000000020002000300030000DCBA")),
    answer(bytes.fromhex("0258000123450259000A044C0010025B01025C0000025D0000025E0000025A0003")),
    answer(bytes.fromhex("0514000001F405150000012C0516001E0517001E051B0000051C00640519001E")),
    answer(bytes.fromhex("00580102030400630105020999550132000100020305ABCD")),
]
out_dir = sys.argv[1]
os.makedirs(out_dir, exist_ok=True)
for n, seed in enumerate(seeds):
    for size in (len(seed), 7, 3):
        with open(os.path.join(out_dir, "seed_%d_%d" % (n, size)), "wb") as f:
            f.write(pieces(b"\x00\xff" + seed, size))
