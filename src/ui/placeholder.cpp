namespace quorlin {}
