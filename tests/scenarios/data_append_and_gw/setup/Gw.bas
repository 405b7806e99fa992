5000 DATA "old"
